// Feeds arbitrary bytes to the RTF reader: it must give a document or NotRtfError, and
// never crash, hang, leak or read out of bounds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "content/rtf/plain_text.h"
#include "content/rtf/reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const velocarta::rtf::Document document = velocarta::rtf::Read(bytes);
        velocarta::rtf::PlainText(document, velocarta::rtf::TableText::RowPerLine);
        velocarta::rtf::PlainText(document, velocarta::rtf::TableText::ParagraphPerLine);
    } catch (const velocarta::rtf::NotRtfError&) {
        // Input that is no RTF at all is the one failure the reader may report.
    }
    return 0;
}
