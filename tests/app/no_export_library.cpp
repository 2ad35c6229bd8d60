// A library named jedata.dll that lacks Skin_AttachEx, for the tests of the
// missing function.
extern "C" __declspec(dllexport) int somethingElse() {
  return 0;
}
