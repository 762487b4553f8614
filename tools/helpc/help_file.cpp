#include "help_file.h"

#include "btree.h"
#include "bytes.h"
#include "topic_file.h"

#include <algorithm>
#include <map>
#include <utility>

namespace helpc {

namespace {

constexpr uint32_t kFileMagic = 0x00035F3F;
constexpr unsigned kSystemMagic = 0x036C;
constexpr unsigned kVersionMinor = 21; // WinHelp 3.1
constexpr unsigned kVersionMajor = 1;
constexpr size_t kFileHeader = 16;
constexpr size_t kInternalHeader = 9;
constexpr uint8_t kFileFlags = 0x04;

enum SystemRecord : unsigned { kSysTitle = 1, kSysCopyright = 2, kSysContents = 3 };

std::vector<uint8_t> SystemFile(const Document& document, uint32_t contentsOffset) {
    Bytes out;
    out.U16(kSystemMagic);
    out.U16(kVersionMinor);
    out.U16(kVersionMajor);
    out.U32(0); // generation date: fixed, so that the same source always gives the same file
    out.U16(0); // flags: topics are not compressed
    auto text = [&out](unsigned type, const std::string& value) {
        out.U16(type);
        out.U16(static_cast<unsigned>(value.size() + 1));
        out.Text(value);
        out.U8(0);
    };
    text(kSysTitle, document.title);
    if (!document.copyright.empty()) text(kSysCopyright, document.copyright);
    out.U16(kSysContents);
    out.U16(4);
    out.U32(contentsOffset);
    return out.Data();
}

// Four descriptors over one face: body, bold body, topic title and heading.
std::vector<uint8_t> FontFile() {
    static const char kFace[] = "Arial";
    constexpr size_t kFaceSize = 20;
    struct Descriptor {
        uint8_t attributes, halfPoints;
        uint8_t red, green, blue;
    };
    static const Descriptor kDescriptors[] = {
        {0, 20, 0, 0, 0}, {1, 20, 0, 0, 0}, {1, 28, 0, 0, 128}, {1, 24, 0, 0, 128}};
    constexpr uint8_t kSwiss = 3;
    const size_t count = sizeof kDescriptors / sizeof kDescriptors[0];
    Bytes out;
    out.U16(1); // face names
    out.U16(static_cast<unsigned>(count));
    out.U16(8);             // offset of the face names
    out.U16(8 + kFaceSize); // offset of the descriptors
    std::string face(kFace);
    face.resize(kFaceSize, '\0');
    out.Text(face);
    for (const Descriptor& d : kDescriptors) {
        out.U8(d.attributes); // 1 = bold
        out.U8(d.halfPoints);
        out.U8(kSwiss);
        out.U16(0); // face name index
        out.U8(d.red);
        out.U8(d.green);
        out.U8(d.blue);
        out.Fill(3); // background colour, unused
    }
    return out.Data();
}

std::vector<uint8_t> ContextMapFile(const Document& document,
                                    const std::vector<uint32_t>& offsets) {
    std::map<uint32_t, uint32_t> map;
    for (size_t t = 0; t < document.topics.size(); ++t) {
        for (uint32_t number : document.topics[t].numbers)
            map[number] = offsets[t];
    }
    Bytes out;
    out.U16(static_cast<unsigned>(map.size()));
    for (const auto& [number, offset] : map) {
        out.U32(number);
        out.U32(offset);
    }
    return out.Data();
}

bool ContextFile(const Document& document, const std::vector<uint32_t>& offsets,
                 std::vector<uint8_t>* file, std::string* error) {
    // Ordered as the viewer searches: by hash as a signed number.
    std::vector<std::pair<int32_t, uint32_t>> rows;
    for (size_t t = 0; t < document.topics.size(); ++t)
        rows.emplace_back(static_cast<int32_t>(ContextHash(document.topics[t].context)),
                          offsets[t]);
    std::sort(rows.begin(), rows.end());
    std::vector<BTreeEntry> entries;
    for (const auto& [hash, offset] : rows) {
        Bytes key, leaf;
        key.U32(static_cast<uint32_t>(hash));
        leaf.U32(static_cast<uint32_t>(hash));
        leaf.U32(offset);
        entries.push_back(BTreeEntry{key.Data(), leaf.Data()});
    }
    return BuildBTree(BTreeShape{0x0002, 0x0800, "L4"}, entries, file, error);
}

bool TitleFile(const Document& document, const std::vector<uint32_t>& offsets,
               std::vector<uint8_t>* file, std::string* error) {
    std::vector<BTreeEntry> entries;
    for (size_t t = 0; t < document.topics.size(); ++t) { // offsets grow with t
        Bytes key, leaf;
        key.U32(offsets[t]);
        leaf.U32(offsets[t]);
        leaf.Text(document.topics[t].title);
        leaf.U8(0);
        entries.push_back(BTreeEntry{key.Data(), leaf.Data()});
    }
    return BuildBTree(BTreeShape{0x0002, 0x0800, "Lz"}, entries, file, error);
}

// Writes the files back to back behind the file header, then the directory that names them.
bool Assemble(const std::map<std::string, std::vector<uint8_t>>& files, std::vector<uint8_t>* out,
              std::string* error) {
    Bytes body;
    std::vector<BTreeEntry> entries; // std::map keeps the names in byte order, as readers search
    for (const auto& [name, data] : files) {
        Bytes leaf;
        leaf.Text(name);
        leaf.U8(0);
        leaf.U32(static_cast<uint32_t>(kFileHeader + body.Size()));
        Bytes key;
        key.Text(name);
        key.U8(0);
        entries.push_back(BTreeEntry{key.Data(), leaf.Data()});
        body.U32(static_cast<uint32_t>(kInternalHeader + data.size())); // reserved space
        body.U32(static_cast<uint32_t>(data.size()));                   // used space
        body.U8(kFileFlags);
        body.Append(data);
    }
    std::vector<uint8_t> directory;
    if (!BuildBTree(BTreeShape{0x0402, 0x0400, "z4"}, entries, &directory, error)) return false;
    const uint32_t directoryStart = static_cast<uint32_t>(kFileHeader + body.Size());
    Bytes file;
    file.U32(kFileMagic);
    file.U32(directoryStart);
    file.U32(0xFFFFFFFF); // no free blocks
    file.U32(static_cast<uint32_t>(directoryStart + kInternalHeader + directory.size()));
    file.Append(body.Data());
    file.U32(static_cast<uint32_t>(kInternalHeader + directory.size()));
    file.U32(static_cast<uint32_t>(directory.size()));
    file.U8(kFileFlags);
    file.Append(directory);
    *out = file.Data();
    return true;
}

size_t ContentsIndex(const Document& document) {
    for (size_t t = 0; t < document.topics.size(); ++t) {
        if (document.topics[t].context == document.contents) return t;
    }
    return 0;
}

} // namespace

bool BuildHelpFile(const Document& document, std::vector<uint8_t>* file, std::string* error) {
    if (document.topics.empty()) {
        *error = "no topics";
        return false;
    }
    TopicFile topics = BuildTopicFile(document);
    std::map<std::string, std::vector<uint8_t>> files;
    files["|SYSTEM"] = SystemFile(document, topics.topicOffsets[ContentsIndex(document)]);
    files["|FONT"] = FontFile();
    files["|CTXOMAP"] = ContextMapFile(document, topics.topicOffsets);
    if (!ContextFile(document, topics.topicOffsets, &files["|CONTEXT"], error) ||
        !TitleFile(document, topics.topicOffsets, &files["|TTLBTREE"], error))
        return false;
    files["|TOPIC"] = topics.bytes;
    return Assemble(files, file, error);
}

} // namespace helpc
