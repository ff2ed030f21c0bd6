// XmlOfstream: the output of an XML log file, a LogOfstream that holds
// one XML document: the declaration and the root element with its header
// attributes at creation, the root's end at destruction.
#pragma once

#include "jotwell/logfile/log_ofstream.h"

#include <jotwell/kitbase/xml.h>

#include <optional>
#include <string>

namespace Jotwell {

class XmlOfstream : public LogOfstream {
public:
    // A file stream, opened (created or truncated) at once, with the start
    // of its document.
    explicit XmlOfstream(const std::string& path);
    // A screen stream named "ToScreen": the document goes to the standard
    // output.
    XmlOfstream();
    // Re-opens a closed file and ends the document in it. Never throws.
    ~XmlOfstream() override;

    // As LogOfstream::re_open. A file that could not be opened when the
    // document started gets the document's start first when it finally
    // opens, so that the records that follow are still a whole document.
    void re_open();

    // The writer; its current tag is the root between records.
    Kitbase::Xml::XmlOstream& xml() { return xml_; }

private:
    void start_document();

    Kitbase::Xml::XmlOstream xml_;
    std::optional<Kitbase::Xml::Tag> root_;
    // The document's start as it was meant to reach the file, kept only
    // while the file has not been opened.
    std::string unwritten_start_;
};

// The root's Build attribute: "Build release at " date time " on " system
// compiler " (" version macro " = " version ")".
std::string build_text();

} // namespace Jotwell
