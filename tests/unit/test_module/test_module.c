/* A tiny module that ModuleTest loads by name at run time. */
#ifdef _WIN32
#define TEST_MODULE_EXPORT __declspec(dllexport)
#else
#define TEST_MODULE_EXPORT __attribute__((visibility("default")))
#endif

TEST_MODULE_EXPORT int BcTestModuleTwice(int value) {
    return 2 * value;
}
