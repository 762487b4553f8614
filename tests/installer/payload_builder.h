// Builds self-installing files in tests, as the packing tool lays them out.
#pragma once

#include "installer/payload.h"

#include <string>
#include <vector>

// The files back to back, then their sizes, the checksum and INSTALL_MAGIC.
inline std::string BuildPayload(const std::vector<std::string>& files) {
    std::string bytes;
    std::vector<int32_t> sizes;
    uint32_t checksum = 0;
    for (const std::string& file : files) {
        bytes += file;
        sizes.push_back(static_cast<int32_t>(file.size()));
        checksum = AddToChecksum(checksum, reinterpret_cast<const unsigned char*>(file.data()),
                                 file.size());
    }
    std::string trailer(PayloadTrailerSize(static_cast<int>(files.size())), '\0');
    WritePayloadTrailer(sizes.data(), static_cast<int>(sizes.size()), checksum,
                        reinterpret_cast<unsigned char*>(&trailer[0]));
    return bytes + trailer;
}
