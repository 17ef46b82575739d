namespace bb::platform {

// Exports for the module loader tests (ServicesTest.cpp): one cdecl function under its plain name.
extern "C" __declspec(dllexport) int __cdecl bb_test_answer(int x) { return x * 2 + 1; }

}  // namespace bb::platform
