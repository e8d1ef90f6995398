// A test library without InitPlugin: the host loads it and unloads it again.
extern "C" __declspec(dllexport) int NotAPlugin() {
    return 1;
}
