namespace bb::platform {

// Exports for ModuleLoaderTest: one cdecl function under its plain name.
extern "C" __declspec(dllexport) int __cdecl bb_test_answer(int x) { return x * 2 + 1; }

}  // namespace bb::platform
