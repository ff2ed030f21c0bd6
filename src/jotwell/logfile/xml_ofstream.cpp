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
    : LogOfstream(path), xml_(static_cast<std::ostream*>(this), log_style)
{
    start_document();
}

XmlOfstream::XmlOfstream() : LogOfstream(), xml_(&std::cout, log_style) { start_document(); }

void XmlOfstream::start_document()
{
    const Kitbase::Portable::Process process;
    root_.emplace(xml_, "Jotwell");
    root_->attribute("LogFile");
    xml_ << name;
    root_->attribute("Process");
    xml_ << process.name();
    root_->attribute("Name");
    xml_ << "TODO: NYI: name";
    root_->attribute("Pid");
    xml_ << process.id();
    root_->attribute("Time");
    SimpleTime::UtcTime(SimpleTime::clock().now()).print(*xml_.data(), SimpleTime::UtcTime::Separator());
    root_->attribute("Build");
    xml_ << build_text();
}

XmlOfstream::~XmlOfstream()
{
    try {
        re_open();
    } catch (...) {
    }
    root_.reset();
}

} // namespace Jotwell
