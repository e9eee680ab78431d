// A small library for the tests of the library service: an export to look
// up, and one that calls back, so the caller's code runs below it.
extern "C" __declspec(dllexport) int TolvexTestAnswer() {
  return 42;
}

extern "C" __declspec(dllexport) bool TolvexTestCallBack(bool (*callback)(void*), void* context) {
  return callback(context);
}
