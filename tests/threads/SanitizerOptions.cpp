// The thread sanitizer reads its options from this function before main, so
// they hold however the tests are started: the first race ends the program,
// which fails the test. Races inside Qt's own uninstrumented code are named
// in tsan.supp.
extern "C" const char *__tsan_default_options()
{
    return "halt_on_error=1:second_deadlock_stack=1:suppressions=" VELLORA_TSAN_SUPPRESSIONS;
}
