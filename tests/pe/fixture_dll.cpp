// A DLL of our own: a program importing it needs more than Windows' DLLs.
__declspec(dllexport) int FixtureValue();

int FixtureValue() { return 0; }
