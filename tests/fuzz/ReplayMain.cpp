// Without libFuzzer: the kept inputs in the directories given, then seeded random ones.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    for (int i = 1; i < argc; ++i) {
        if (!std::filesystem::is_directory(argv[i])) continue;
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        }
    }
    std::mt19937 rng(1206);
    const char alphabet[] = "0123456789.-+#eE^_$!\\|~&@ abcxyzW\n";
    for (int n = 0; n < 5000; ++n) {
        std::vector<uint8_t> bytes(rng() % 64);
        for (auto& b : bytes)
            b = rng() % 4 == 0 ? uint8_t(rng()) : uint8_t(alphabet[rng() % (sizeof alphabet - 1)]);
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    return 0;
}
