// A small library for the tests of the library service: an export to look
// up, and one that calls back, so the caller's code runs below it.
extern "C" __declspec(dllexport) int TolvexTestAnswer() {
  return 42;
}

// Not a jump into the callback: the library's return address must stay on
// the stack while the callback runs.
extern "C" __declspec(dllexport) __attribute__((optimize("no-optimize-sibling-calls"))) bool
TolvexTestCallBack(bool (*callback)(void*), void* context) {
  return callback(context);
}
