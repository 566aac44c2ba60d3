# The cover text of a book is outside bytes: its decoder gets a fuzzer.
vellora_fuzzer(fuzz_cover_text fuzz_cover_text.cpp vellora_editor)
