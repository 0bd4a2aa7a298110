#pragma once

#include <zip.h>

#include <sys/stat.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Zip archives made byte for byte as a test needs them, with the same library the programs read them with: any
// entry name, Unix file types a theme never holds, and sizes patched to lie.

struct CraftedEntry {
    std::string name;  // a trailing "/" makes a folder entry
    std::string bytes;
    mode_t unixType = 0;  // S_IFLNK, S_IFCHR and the like; 0 for a plain file or folder
};

// The archive's bytes, deflated.
inline std::string craftArchive(const std::vector<CraftedEntry>& entries)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = zip_open_from_source(target, ZIP_TRUNCATE, &error);
    zip_source_keep(target);
    for (const CraftedEntry& entry : entries) {
        zip_int64_t index = -1;
        if (!entry.name.empty() && entry.name.back() == '/') {
            index = zip_dir_add(archive, entry.name.c_str(), ZIP_FL_ENC_RAW);
        } else {
            zip_source_t* source = zip_source_buffer(archive, entry.bytes.data(), entry.bytes.size(), 0);
            index = zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_RAW);
        }
        if (index >= 0 && entry.unixType != 0)
            zip_file_set_external_attributes(archive, static_cast<zip_uint64_t>(index), 0, ZIP_OPSYS_UNIX,
                                             static_cast<zip_uint32_t>(entry.unixType | 0777) << 16);
    }
    zip_close(archive);
    std::string bytes;
    zip_source_open(target);
    char buffer[65536];
    zip_int64_t count = 0;
    while ((count = zip_source_read(target, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, static_cast<std::size_t>(count));
    zip_source_close(target);
    zip_source_free(target);
    zip_error_fini(&error);
    return bytes;
}

// The archive with the unpacked size of every entry, in its local header and in the central directory alike,
// changed to `size`: an archive that claims more, or less, than it holds.
inline std::string withClaimedSizes(std::string archive, std::uint32_t size)
{
    const auto patch = [&](const std::string& signature, std::size_t sizeOffset) {
        for (std::size_t at = archive.find(signature); at != std::string::npos; at = archive.find(signature, at + 4))
            for (int i = 0; i < 4; ++i)
                archive[at + sizeOffset + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
    };
    patch(std::string("PK\x03\x04", 4), 22);
    patch(std::string("PK\x01\x02", 4), 24);
    return archive;
}
