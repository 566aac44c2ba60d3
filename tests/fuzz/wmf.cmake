# The metafile player: parse, then play into a small picture. Fontconfig
# keeps some of its one-time allocations unreachable on purpose; they are
# not ours to report.
vellora_fuzzer(fuzz_wmf fuzz_wmf.cpp vellora_platform Qt6::Gui)
set_tests_properties(fuzz_wmf PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
