// LogFileXml: the XML log file. Each file is one document; each record is
// one Msg element holding the statement's values, its thread's workflow
// and actors, and its message text on one line.
#pragma once

#include "jotwell/logfile/log_file_ext.h"
#include "jotwell/logfile/xml_ofstream.h"

#include <vector>

namespace Jotwell {

class LogFileXml : public LogFileExt<XmlOfstream> {
public:
    explicit LogFileXml(DeviceInfo& info) : LogFileExt<XmlOfstream>(info), msg_(nullptr) {}
    ~LogFileXml() override;

protected:
    std::ostream* do_header_message() override;
    void do_footer_message() override;

private:
    void close_msg() noexcept;

    // Room for the record's Msg tag, which lives from the header to the
    // footer of a record; reused, so a record allocates nothing for it.
    std::vector<char> buffer_;
    Kitbase::Xml::Tag* msg_;
};

} // namespace Jotwell
