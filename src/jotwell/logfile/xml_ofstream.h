// XmlOfstream: the output of an XML log file, a LogOfstream that holds
// one XML document: the declaration and the root element with its header
// attributes at creation, the root's end at destruction.
#pragma once

#include "jotwell/logfile/log_ofstream.h"

#include <jotwell/kitbase/xml.h>

#include <optional>
#include <ostream>
#include <streambuf>
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

    // Sends what the record wrote to the file: the writer's line ends do
    // not flush a file, the end of a record does.
    void end_record();

private:
    // Passes everything to the file's buffer but ignores flushes, so that
    // a record reaches the system in one write instead of one per line.
    class DeferredSyncBuf : public std::streambuf {
    public:
        explicit DeferredSyncBuf(std::streambuf* to) : to_(to) {}

    protected:
        int_type overflow(int_type c) override
        {
            if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
            return to_ ? to_->sputc(traits_type::to_char_type(c)) : traits_type::eof();
        }
        std::streamsize xsputn(const char* s, std::streamsize n) override { return to_ ? to_->sputn(s, n) : 0; }
        int sync() override { return 0; }

    private:
        std::streambuf* to_;
    };

    void start_document();

    DeferredSyncBuf file_sink_;
    std::ostream file_sink_stream_;
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
