// The self-installing file's trailer, checksum and destinations.
#include "installer/payload.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> Trailer(const std::vector<int32_t>& sizes, uint32_t checksum) {
    std::vector<unsigned char> bytes(PayloadTrailerSize(static_cast<int>(sizes.size())));
    WritePayloadTrailer(sizes.data(), static_cast<int>(sizes.size()), checksum, bytes.data());
    return bytes;
}

TEST(PayloadTable, HasFiveRowsAndCountStopsAt128) {
    EXPECT_EQ(5, CountInstalledFiles(kInstalledFiles));
    EXPECT_EQ(28u, PayloadTrailerSize(5));
    std::vector<InstalledFile> big(200, InstalledFile{nullptr, "x"});
    big.push_back({nullptr, nullptr});
    EXPECT_EQ(128, CountInstalledFiles(big.data()));
    big[128] = {nullptr, nullptr};
    EXPECT_EQ(128, CountInstalledFiles(big.data()));
    big[127] = {nullptr, nullptr};
    EXPECT_EQ(127, CountInstalledFiles(big.data()));
}

TEST(PayloadTable, DestinationsByFolderKey) {
    char out[260];
    InstalledFileDestination("C:\\Q", kInstalledFiles[0], out);
    EXPECT_STREQ("C:\\Q\\qmark.exe", out);
    InstalledFileDestination("C:\\Q", kInstalledFiles[4], out);
    EXPECT_STREQ("C:\\Q\\Useful Web Links\\Software Links.txt", out);
    InstalledFileDestination("C:\\Q", {"programFILES", "a.txt"}, out);
    EXPECT_STREQ("C:\\Q\\a.txt", out);
    InstalledFileDestination("C:\\Q", {"datafiles", "a.txt"}, out);
    EXPECT_STREQ("C:\\Q\\a.txt", out);

    std::unique_ptr<char[]> exact(new char[260]);
    std::string longFolder(1000, 'f');
    InstalledFileDestination(longFolder.c_str(), kInstalledFiles[2], exact.get());
    EXPECT_EQ(std::string(259, 'f'), exact.get());
}

TEST(PayloadTrailerTest, RoundTripsWithTheInstallMagicLast) {
    std::vector<unsigned char> bytes = Trailer({1000, 0, 77, 12, 3}, 0xDEADBEEF);
    ASSERT_EQ(28u, bytes.size());
    EXPECT_EQ(0xF0, bytes[24]);
    EXPECT_EQ(0xF0, bytes[25]);
    EXPECT_EQ(0x0F, bytes[26]);
    EXPECT_EQ(0x0F, bytes[27]);
    PayloadTrailer trailer;
    ASSERT_TRUE(ReadPayloadTrailer(bytes.data(), 5, 1092 + 28, &trailer));
    EXPECT_EQ(1092u, trailer.total);
    EXPECT_EQ(0, trailer.sizes[1]);
    EXPECT_EQ(77, trailer.sizes[2]);
    EXPECT_EQ(0xDEADBEEFu, trailer.checksum);
    EXPECT_EQ(INSTALL_MAGIC, trailer.magic);
}

TEST(PayloadTrailerTest, SizesThatDoNotFitTheFileAreRefused) {
    PayloadTrailer trailer;
    std::vector<unsigned char> negative = Trailer({100, -5, 0, 0, 0}, 0);
    EXPECT_FALSE(ReadPayloadTrailer(negative.data(), 5, 95 + 28, &trailer));
    EXPECT_FALSE(ReadPayloadTrailer(negative.data(), 5, 100 + 28, &trailer));

    std::vector<unsigned char> sizes = Trailer({100, 50, 0, 0, 0}, 0);
    EXPECT_FALSE(ReadPayloadTrailer(sizes.data(), 5, 149 + 28, &trailer)); // truncated
    EXPECT_FALSE(ReadPayloadTrailer(sizes.data(), 5, 151 + 28, &trailer)); // bytes unaccounted
    EXPECT_FALSE(ReadPayloadTrailer(sizes.data(), 5, 27, &trailer));       // shorter than trailer
    EXPECT_TRUE(ReadPayloadTrailer(sizes.data(), 5, 150 + 28, &trailer));

    // Sizes near the signed limit must not wrap around to a small total.
    std::vector<unsigned char> huge = Trailer({0x7FFFFFFF, 0x7FFFFFFF, 3, 0, 0}, 0);
    EXPECT_FALSE(ReadPayloadTrailer(huge.data(), 5, 28, &trailer));
    EXPECT_FALSE(ReadPayloadTrailer(huge.data(), 5, 0x100000000ull + 28, &trailer));
}

// A seeded random sweep over tampered trailers: the reader must never accept sizes that do not
// add up to the file, nor read outside the trailer (the address sanitizer watches).
TEST(PayloadTrailerTest, RandomTrailersNeverPassInconsistentSizes) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 20000; ++round) {
        const int rows = static_cast<int>(random() % 8);
        const size_t length = PayloadTrailerSize(rows);
        std::unique_ptr<unsigned char[]> tail(new unsigned char[length]);
        for (size_t i = 0; i < length; ++i)
            tail[i] = static_cast<unsigned char>(random());
        if (round % 3 == 0) // mostly small sizes, so that some trailers are consistent
            for (int i = 0; i < rows; ++i)
                WriteLittleEndian32(random() % 64, tail.get() + 4 * i);
        uint64_t fileSize = random() % 600;
        PayloadTrailer trailer;
        if (ReadPayloadTrailer(tail.get(), rows, fileSize, &trailer)) {
            uint64_t sum = 0;
            for (int i = 0; i < rows; ++i) {
                ASSERT_GE(trailer.sizes[i], 0);
                sum += static_cast<uint64_t>(trailer.sizes[i]);
            }
            ASSERT_EQ(fileSize, sum + length);
        }
    }
}

TEST(PayloadChecksumTest, CatchesAChangedByteButNotAnExchange) {
    std::vector<unsigned char> bytes = {1, 200, 255, 0, 17, 99};
    uint32_t sum = AddToChecksum(0, bytes.data(), bytes.size());
    EXPECT_EQ(572u, sum);
    std::vector<unsigned char> changed = bytes;
    changed[2] = 254;
    EXPECT_NE(sum, AddToChecksum(0, changed.data(), changed.size()));
    std::vector<unsigned char> exchanged = bytes;
    std::swap(exchanged[0], exchanged[5]);
    EXPECT_EQ(sum, AddToChecksum(0, exchanged.data(), exchanged.size()));
    EXPECT_EQ(254u, AddToChecksum(0xFFFFFFFF, bytes.data() + 2, 1)); // modulo 2^32

    // Word-wise summing gives the byte sum for every length and alignment, all bytes 0xFF
    // included (the largest a lane takes).
    std::vector<unsigned char> ones(5000, 0xFF);
    for (size_t start : {0u, 1u, 7u})
        for (size_t count : {0u, 7u, 8u, 1023u, 1024u, 1025u, 4993u})
            EXPECT_EQ(static_cast<uint32_t>(0xFFu * count) + 5u,
                      AddToChecksum(5, ones.data() + start, count))
                << start << " " << count;
    std::vector<unsigned char> mixed(3001);
    uint32_t byByte = 0;
    for (size_t i = 0; i < mixed.size(); ++i)
        byByte += mixed[i] = static_cast<unsigned char>(i * 131 + (i >> 3));
    EXPECT_EQ(byByte, AddToChecksum(0, mixed.data(), mixed.size()));
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The packing tool, run as the build runs it, read back with the trailer reader.
TEST(PackTool, WritesFilesBackToBackThenTheTrailer) {
    const std::string dir = ::testing::TempDir();
    const std::string exe = dir + "pack-exe.bin", a = dir + "pack-a.txt", out = dir + "pack.out";
    std::ofstream(exe, std::ios::binary) << std::string(5000, 'M');
    std::ofstream(a, std::ios::binary) << "Phone: \r\nFax: ";
    std::string command = std::string(QMARK_PACK) + " " + out + " " + exe + " - " + a + " - " + a;
    ASSERT_EQ(0, std::system(command.c_str()));

    std::string file = Slurp(out);
    ASSERT_EQ(5000u + 14 + 14 + 28, file.size());
    const auto* tail = reinterpret_cast<const unsigned char*>(file.data() + file.size() - 28);
    PayloadTrailer trailer;
    ASSERT_TRUE(ReadPayloadTrailer(tail, 5, file.size(), &trailer));
    EXPECT_EQ(5000, trailer.sizes[0]);
    EXPECT_EQ(0, trailer.sizes[1]);
    EXPECT_EQ(14, trailer.sizes[2]);
    EXPECT_EQ(0, trailer.sizes[3]);
    EXPECT_EQ("Phone: \r\nFax: ", file.substr(5000, 14));
    const auto* data = reinterpret_cast<const unsigned char*>(file.data());
    EXPECT_EQ(AddToChecksum(0, data, 5028), trailer.checksum);

    std::string wrongCount = std::string(QMARK_PACK) + " " + out + " " + exe + " 2>/dev/null";
    EXPECT_NE(0, std::system(wrongCount.c_str()));
}

} // namespace
