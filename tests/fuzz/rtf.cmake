# The RTF reader over any bytes, and the writer's output read and written
# again (which must give the same bytes).
vellora_fuzzer(fuzz_rtf_reader fuzz_rtf_reader.cpp vellora_formats_rtf Qt6::Gui)
vellora_fuzzer(fuzz_rtf_round_trip fuzz_rtf_round_trip.cpp vellora_formats_rtf Qt6::Gui)
