// The quoted-field reader on any line: it always finds at least one field, and fields joined by
// the writer read back as the very same fields, whatever they hold.
#include "fuzzsupport.h"

#include "platform/quotedfields.h"
#include "platform/textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString line = TextFile::decode(bytes);
    const QStringList fields = QuotedFields::split(line);
    Fuzz::require(!fields.isEmpty(), "at least one field", line);
    Fuzz::require(QuotedFields::split(QuotedFields::join(fields)) == fields,
                  "fields read back after writing", line);

    // The input cut at each byte 0x01 stands for fields as the program holds them.
    const QStringList own = line.split(QChar(0x01));
    Fuzz::require(QuotedFields::split(QuotedFields::join(own)) == own, "any fields round trip",
                  QuotedFields::join(own));
    return 0;
}
