// The document around the records of an XML log file.
#include "jotwell/logfile/xml_ofstream.h"

#include "kitbase/native/os.h"

#include <jotwell/kitbase/portable.h>
#include <jotwell/simpletime.h>

#include <iostream>
#include <sstream>

namespace Jotwell {

std::string build_text()
{
    const Kitbase::Native::Os::BuildFacts facts = Kitbase::Native::Os::build_facts();
    std::ostringstream os;
    os << "Build release at " << __DATE__ << ' ' << __TIME__ << " on " << facts.os_name << ' ' << facts.compiler
       << " (" << facts.compiler_version_macro << " = " << facts.compiler_version << ")";
    return os.str();
}

namespace {
const Kitbase::Xml::Format log_style(1);
} // namespace

XmlOfstream::XmlOfstream(const std::string& path)
    : LogOfstream(path), file_sink_(rdbuf()), file_sink_stream_(&file_sink_), xml_(&file_sink_stream_, log_style)
{
    start_document();
    end_record();
}

XmlOfstream::XmlOfstream()
    : LogOfstream(), file_sink_(nullptr), file_sink_stream_(&file_sink_), xml_(&std::cout, log_style)
{
    start_document();
}

void XmlOfstream::end_record()
{
    if (to_screen) return;
    // A failed write leaves only this record's text lost.
    file_sink_stream_.clear();
    flush();
}

namespace {

const std::uint32_t root_attribute_count = 6;

struct RootValues {
    std::string log_file;
    std::string process;
    int pid;
    SimpleTime::PhysicalTime time;
};

void write_root_attributes(Kitbase::Xml::XmlOstream& o, Kitbase::Xml::Tag& root, const RootValues& v)
{
    root.attribute("LogFile");
    o << v.log_file;
    root.attribute("Process");
    o << v.process;
    root.attribute("Name");
    o << "TODO: NYI: name";
    root.attribute("Pid");
    o << v.pid;
    root.attribute("Time");
    SimpleTime::UtcTime(v.time).print(*o.data(), SimpleTime::UtcTime::Separator());
    root.attribute("Build");
    o << build_text();
}

} // namespace

void XmlOfstream::start_document()
{
    const Kitbase::Portable::Process process;
    const RootValues values = {name, process.name(), process.id(), SimpleTime::clock().now()};
    root_.emplace(xml_, "Jotwell");
    write_root_attributes(xml_, *root_, values);
    if (to_screen || opened) return;

    // The same start on the side, up to where the writer now stands: inside
    // the last attribute's value.
    std::ostringstream start;
    {
        Kitbase::Xml::XmlOstream side(&start, log_style);
        Kitbase::Xml::Tag root(side, "Jotwell");
        write_root_attributes(side, root, values);
        side.data()->flush();
        unwritten_start_ = start.str();
    }
}

void XmlOfstream::re_open()
{
    LogOfstream::re_open();
    file_sink_stream_.clear();
    if (unwritten_start_.empty() || !opened) return;
    std::ostream& file = *this;
    file << unwritten_start_;
    // Once a record has begun, the writer has ended the last attribute and
    // the root's start tag.
    if (root_ && root_->attributes() == root_attribute_count) file << '"' << '>' << std::endl;
    unwritten_start_.clear();
    unwritten_start_.shrink_to_fit();
}

XmlOfstream::~XmlOfstream()
{
    try {
        re_open();
    } catch (...) {
    }
    root_.reset();
    try {
        end_record();
    } catch (...) {
    }
}

} // namespace Jotwell
