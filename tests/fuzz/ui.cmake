# The window framework's resource-table parsers.
vellora_fuzzer(fuzz_resource_tables fuzz_resource_tables.cpp vellora_ui)
