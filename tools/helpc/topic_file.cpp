#include "topic_file.h"

#include "bytes.h"

namespace helpc {

namespace {

constexpr size_t kBlockSize = 4096;
constexpr size_t kBlockHeader = 12;
constexpr size_t kBlockData = kBlockSize - kBlockHeader;
constexpr size_t kLinkHeader = 21;
constexpr size_t kTopicHeaderData = 28;
constexpr uint32_t kNone = 0xFFFFFFFF;

enum RecordType : uint8_t { kTopicHeader = 0x02, kDisplay = 0x20 };

enum FormatCode : uint8_t {
    kFont = 0x80,
    kEndOfParagraph = 0x82,
    kEndOfHotspot = 0x89,
    kJump = 0xE3,
    kEndOfFormats = 0xFF
};

// Paragraph property bits and the spacing each style uses.
enum ParagraphBits : unsigned {
    kSpaceBefore = 0x0002,
    kSpaceAfter = 0x0004,
    kLeftIndent = 0x0010,
    kFirstIndent = 0x0040
};

struct Layout {
    unsigned font;
    int spaceBefore, spaceAfter, leftIndent, firstIndent;
};

Layout LayoutOf(ParagraphStyle style) {
    switch (style) {
    case ParagraphStyle::Title:
        return {kFontTitle, 0, 12, 0, 0};
    case ParagraphStyle::Heading:
        return {kFontHeading, 10, 4, 0, 0};
    case ParagraphStyle::Bullet:
        return {kFontBody, 0, 4, 24, -12};
    case ParagraphStyle::Body:
        break;
    }
    return {kFontBody, 0, 8, 0, 0};
}

struct Record {
    RecordType type;
    std::vector<uint8_t> data1;
    std::vector<uint8_t> data2;
    size_t start = 0;      // offset in the stream of all records
    uint32_t position = 0; // TOPICPOS: block * 0x4000 + offset in the block
    uint32_t topicOffset = 0;

    size_t Size() const { return kLinkHeader + data1.size() + data2.size(); }
};

uint32_t PositionOf(size_t streamOffset) {
    return static_cast<uint32_t>((streamOffset / kBlockData) * 0x4000 + kBlockHeader +
                                 streamOffset % kBlockData);
}

// Text goes to data2 as NUL-separated strings; each format code in data1 follows one string.
class ParagraphWriter {
  public:
    explicit ParagraphWriter(const Layout& layout) : layout_(layout) { Format(kFont, layout.font); }

    void Add(const Span& span) {
        unsigned font = span.bold ? kFontBold : layout_.font;
        if (layout_.font != kFontBody) font = layout_.font;
        if (font != font_) Format(kFont, font);
        if (!span.link.empty()) {
            text_.U8(0);
            formats_.U8(kJump);
            formats_.U32(ContextHash(span.link));
            text_.Text(span.text);
            text_.U8(0);
            formats_.U8(kEndOfHotspot);
        } else {
            text_.Text(span.text);
        }
    }

    Record Finish() {
        text_.U8(0);
        formats_.U8(kEndOfParagraph);
        text_.U8(0);
        formats_.U8(kEndOfFormats);

        Bytes body;
        body.U8(0x00); // fixed leading bytes of the paragraph information
        body.U8(0x80);
        body.U16(0); // paragraph id
        unsigned bits = 0;
        if (layout_.spaceBefore) bits |= kSpaceBefore;
        if (layout_.spaceAfter) bits |= kSpaceAfter;
        if (layout_.leftIndent) bits |= kLeftIndent;
        if (layout_.firstIndent) bits |= kFirstIndent;
        body.U16(bits);
        if (layout_.spaceBefore) body.CompressedShort(layout_.spaceBefore);
        if (layout_.spaceAfter) body.CompressedShort(layout_.spaceAfter);
        if (layout_.leftIndent) body.CompressedShort(layout_.leftIndent);
        if (layout_.firstIndent) body.CompressedShort(layout_.firstIndent);
        body.Append(formats_.Data());

        Bytes data1;
        data1.CompressedLong(static_cast<int32_t>(body.Size()));
        data1.CompressedUShort(static_cast<unsigned>(text_.Size()));
        data1.Append(body.Data());
        return Record{kDisplay, data1.Data(), text_.Data()};
    }

  private:
    void Format(uint8_t code, unsigned font) {
        text_.U8(0);
        formats_.U8(code);
        formats_.U16(font);
        font_ = font;
    }

    Layout layout_;
    unsigned font_ = 0;
    Bytes text_;
    Bytes formats_;
};

Record ParagraphRecord(const Paragraph& paragraph) {
    ParagraphWriter writer(LayoutOf(paragraph.style));
    if (paragraph.style == ParagraphStyle::Bullet)
        writer.Add(Span{"\x95 ", false, ""}); // the Windows-1252 bullet
    for (const Span& span : paragraph.spans)
        writer.Add(span);
    return writer.Finish();
}

// Places the records one after another across blocks and gives each its TOPICPOS and
// TOPICOFFSET; the character count of a TOPICOFFSET restarts in every block.
void PlaceRecords(std::vector<Record>* records) {
    size_t stream = 0;
    size_t block = 0;
    uint32_t characters = 0;
    for (Record& record : *records) {
        record.start = stream;
        if (stream / kBlockData != block) {
            block = stream / kBlockData;
            characters = 0;
        }
        record.position = PositionOf(stream);
        record.topicOffset = static_cast<uint32_t>(block * 0x8000 + characters);
        if (record.type != kTopicHeader) characters += static_cast<uint32_t>(record.data2.size());
        stream += record.Size();
    }
}

void FillTopicHeaders(const std::vector<size_t>& headers, std::vector<Record>* records) {
    for (size_t t = 0; t < headers.size(); ++t) {
        const size_t first = headers[t];
        const size_t end = t + 1 < headers.size() ? headers[t + 1] : records->size();
        uint32_t blockSize = 0;
        for (size_t r = first + 1; r < end; ++r)
            blockSize += static_cast<uint32_t>((*records)[r].Size());
        Bytes data;
        data.U32(blockSize);
        data.U32(t > 0 ? (*records)[headers[t - 1]].topicOffset : kNone); // browse back
        data.U32(t + 1 < headers.size() ? (*records)[headers[t + 1]].topicOffset : kNone);
        data.U32(static_cast<uint32_t>(t)); // topic number
        data.U32(kNone);                    // no non-scrolling region
        data.U32(first + 1 < end ? (*records)[first + 1].position : kNone); // scrolling region
        data.U32(t + 1 < headers.size() ? (*records)[headers[t + 1]].position : kNone);
        (*records)[first].data1 = data.Data();
    }
}

std::vector<uint8_t> Stream(const std::vector<Record>& records) {
    Bytes stream;
    for (size_t i = 0; i < records.size(); ++i) {
        const Record& record = records[i];
        stream.U32(static_cast<uint32_t>(record.Size()));
        stream.U32(static_cast<uint32_t>(record.data2.size()));
        stream.U32(i > 0 ? records[i - 1].position : kNone);
        stream.U32(i + 1 < records.size() ? records[i + 1].position : kNone);
        stream.U32(static_cast<uint32_t>(kLinkHeader + record.data1.size()));
        stream.U8(record.type);
        stream.Append(record.data1);
        stream.Append(record.data2);
    }
    return stream.Data();
}

// Cuts the record stream into blocks, each behind its header: the last record and the last topic
// header that began before the block, and the first record that begins in it.
std::vector<uint8_t> Blocks(const std::vector<Record>& records, const std::vector<uint8_t>& data) {
    Bytes out;
    const size_t blocks = (data.size() + kBlockData - 1) / kBlockData;
    size_t next = 0;
    uint32_t lastLink = kNone, lastHeader = kNone;
    for (size_t b = 0; b < blocks; ++b) {
        const size_t begin = b * kBlockData;
        const size_t end = begin + kBlockData;
        uint32_t first = kNone;
        uint32_t blockLastLink = lastLink, blockLastHeader = lastHeader;
        for (; next < records.size() && records[next].start < end; ++next) {
            if (first == kNone) first = records[next].position;
            lastLink = records[next].position;
            if (records[next].type == kTopicHeader) lastHeader = records[next].position;
        }
        out.U32(blockLastLink);
        out.U32(first);
        out.U32(blockLastHeader);
        const size_t stop = end < data.size() ? end : data.size();
        out.Append(std::vector<uint8_t>(data.begin() + begin, data.begin() + stop));
        // Readers copy whole blocks, so the last one is padded to its full size.
        out.Fill(end - stop);
    }
    return out.Data();
}

} // namespace

TopicFile BuildTopicFile(const Document& document) {
    std::vector<Record> records;
    std::vector<size_t> headers;
    for (const Topic& topic : document.topics) {
        headers.push_back(records.size());
        Record header{kTopicHeader, std::vector<uint8_t>(kTopicHeaderData, 0), {}};
        header.data2.assign(topic.title.begin(), topic.title.end());
        records.push_back(header);
        for (const Paragraph& paragraph : topic.paragraphs)
            records.push_back(ParagraphRecord(paragraph));
    }
    PlaceRecords(&records);
    FillTopicHeaders(headers, &records);
    TopicFile file;
    file.bytes = Blocks(records, Stream(records));
    for (size_t header : headers)
        file.topicOffsets.push_back(records[header].topicOffset);
    return file;
}

} // namespace helpc
