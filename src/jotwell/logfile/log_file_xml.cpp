// The XML record layout.
#include "jotwell/logfile/log_file_xml.h"

#include "jotwell/logfile/log_file_ext_impl.h"

#include <jotwell/context.h>
#include <jotwell/kitbase/native.h>
#include <jotwell/kitbase/portable.h>

#include <exception>
#include <new>

namespace Jotwell {

template class LogFileExt<XmlOfstream>;

namespace {

using Kitbase::Xml::Tag;
using Kitbase::Xml::XmlOstream;

const char* scope_name(Logger::Tag t) { return t == Logger::Open ? "Open" : "Close"; }

void write_position(XmlOstream& o, const char* element, const Context::Position& p)
{
    if (p.empty()) return;
    Tag tag(o, element);
    tag.attribute("Name");
    o << p.name.text();
    tag.attribute("Id");
    o << p.id.text();
}

void write_actor(XmlOstream& o, Tag& actors, const char* name, const Context::SubFields& actor)
{
    if (actor.empty()) return;
    actors.attribute(name);
    o << actor.text();
}

} // namespace

LogFileXml::~LogFileXml() { close_msg(); }

void LogFileXml::close_msg() noexcept
{
    if (!msg_) return;
    msg_->~Tag();
    msg_ = nullptr;
}

std::ostream* LogFileXml::do_header_message()
{
    XmlOstream& o = stream->xml();
    const Logger& l = *logger;
    const Importance& imp = l.importance();
    const Logger::Tag t = l.tag();
    Context::Data* d = l.data();

    const int pid = Kitbase::Portable::Process().id();
    const std::uint32_t tid = Kitbase::Native::current_thread_id();
    const bool in_exception = std::uncaught_exceptions() > 0;

    // A record that was begun but never ended would leave its Msg open.
    close_msg();
    if (buffer_.size() < sizeof(Tag)) buffer_.resize(sizeof(Tag));
    msg_ = ::new (static_cast<void*>(buffer_.data())) Tag(o, "Msg");
    try {
        msg_->attribute("Rank");
        o << rank;
        msg_->attribute("Time");
        SimpleTime::UtcTime(SimpleTime::clock().now()).print(*o.data(), SimpleTime::UtcTime::Separator());
        msg_->attribute("Pid");
        o << pid;
        msg_->attribute("Tid");
        o << tid;
        msg_->attribute("Imp");
        o << imp.level_glyph();
        if (imp.severity != 0) {
            msg_->attribute("Sev");
            o << imp.severity_glyph();
        }
        if (in_exception) {
            msg_->attribute("Exc");
            o << "X";
        }

        if (d) {
            if (t == Logger::Open) {
                ++d->minor_tick;
                ++d->minor_depth;
            }
            {
                Tag workflow(o, "Workflow");
                {
                    Tag tick(o, "Tick");
                    tick.attribute("Major");
                    o << d->major_tick;
                    tick.attribute("Minor");
                    o << d->minor_tick;
                }
                {
                    Tag depth(o, "Depth");
                    depth.attribute("Major");
                    o << d->major_depth;
                    depth.attribute("Minor");
                    o << d->minor_depth;
                    if (t != Logger::Plain) {
                        depth.attribute("Scope");
                        o << scope_name(t);
                    }
                }
                write_position(o, "Root", d->root);
                write_position(o, "Caller", d->caller);
                write_position(o, "Callee", d->callee);
            }
            {
                Tag actors(o, "Actors");
                write_actor(o, actors, "User", d->user);
                write_actor(o, actors, "Architect", d->architect);
                write_actor(o, actors, "Developer", d->developer);
                write_actor(o, actors, "Consultant", d->consultant);
            }
            if (t == Logger::Close) {
                --d->minor_depth;
                ++d->minor_tick;
            }
        } else if (t != Logger::Plain) {
            Tag workflow(o, "Workflow");
            workflow.attribute("Scope");
            o << scope_name(t);
        }

        msg_->text();
        return o.data();
    } catch (...) {
        close_msg();
        throw;
    }
}

void LogFileXml::do_footer_message()
{
    if (!msg_) return;
    XmlOstream& o = stream->xml();
    const Importance& imp = logger->importance();
    try {
        if (imp.file) {
            Tag source(o, "Source");
            source.attribute("File");
            o << imp.file;
            source.attribute("Line");
            o << imp.line;
        }
        if (nested_trace_lost) {
            Kitbase::Xml::Section comment(o, false);
            o << "Lost Nested Trace";
        }
    } catch (...) {
        close_msg();
        stream->end_record();
        throw;
    }
    close_msg();
    stream->end_record();
}

} // namespace Jotwell
