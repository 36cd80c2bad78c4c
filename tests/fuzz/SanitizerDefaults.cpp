// Qt reserves whatever a forged @Variant list in an INI file claims: gigabytes it never
// touches. A plain build goes on (the request fails, or stays untouched), but the address
// sanitizer would spend seconds and gigabytes on the shadow of such a block. Failing
// requests beyond 2 GB at once gives the corpus test what a small machine would see.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __asan_default_options();
extern "C" const char* __asan_default_options() {
    return "allocator_may_return_null=1:max_allocation_size_mb=2048";
}
#endif
