// Transcript lines, converted to UTF-8 at this edge.
#include "platform/headless/transcript.hpp"

#include "text/cp1252.hpp"
#include "text/number_text.hpp"

namespace quelrin {
namespace {

std::string quoted(std::string_view text) { return '"' + cp1252_to_utf8(text) + '"'; }

double x_value(const PlotFrame& frame, const DrawingPoint& point) {
  return axis_value(frame.x, point.x, frame.left, frame.right);
}

double y_value(const PlotFrame& frame, const DrawingPoint& point) {
  return axis_value(frame.y, point.y, frame.bottom, frame.top);
}

void show_axis(std::ostream& out, char name, const PlotAxis& axis) {
  out << "  " << name << " axis " << quoted(axis.title) << ' ' << format_g(axis.from) << " to "
      << format_g(axis.to) << (axis.logarithmic ? " log" : "") << '\n';
}

void show_drawing(std::ostream& out, const Drawing& d) {
  const PlotFrame& f = d.frame;
  out << "  drawing " << format_g(d.width) << 'x' << format_g(d.height) << '\n';
  show_axis(out, 'x', f.x);
  show_axis(out, 'y', f.y);
  const Polyline* previous_curve = nullptr;
  for (const Polyline& line : d.lines) {
    // A curve cut in pieces by the frame is named once.
    if (line.role == DrawingRole::curve &&
        !(previous_curve && previous_curve->label == line.label)) {
      out << "  curve " << quoted(line.label) << '\n';
    }
    if (line.role == DrawingRole::curve) previous_curve = &line;
    if (line.role == DrawingRole::tie_line && !line.points.empty()) {
      out << "  tie line " << format_g(y_value(f, line.points.front())) << " from "
          << format_g(x_value(f, line.points.front())) << " to "
          << format_g(x_value(f, line.points.back())) << '\n';
    }
  }
  for (const FilledPolygon& area : d.areas) out << "  area " << quoted(area.label) << '\n';
  for (const Marker& marker : d.markers) {
    if (marker.role == DrawingRole::frame) continue;  // a legend's sample
    if (marker.role == DrawingRole::clip) {
      out << "  clipped at " << format_g(x_value(f, marker.at)) << '\n';
    } else {
      out << "  point " << quoted(marker.label) << ' ' << format_g(x_value(f, marker.at)) << ' '
          << format_g(y_value(f, marker.at)) << '\n';
    }
  }
  for (const DrawingText& text : d.texts) {
    if (text.role == DrawingRole::note) out << "  note " << quoted(text.text) << '\n';
  }
}

// `warning "TITLE" "TEXT"` (or `error ...`)
std::string described(const Message& message) {
  return (message.icon == MessageIcon::warning ? "warning " : "error ") + quoted(message.title) +
         ' ' + quoted(message.text);
}

}  // namespace

void Transcript::message_shown(const Message& message) {
  out_ << "message " << described(message) << '\n';
}

void Transcript::question_asked(const Message& question, bool yes) {
  out_ << "question " << described(question) << (yes ? " answered yes" : " answered no") << '\n';
}

void Transcript::document_opened(std::string_view name) { out_ << "open " << quoted(name) << '\n'; }

void Transcript::program_exited(int code) { out_ << "exit " << code << '\n'; }

void Transcript::show_control(const HeadlessDialog& dialog, const ControlState& control) {
  const bool list = is_list_kind(control.control->kind);
  out_ << control.control->id;
  if (list) {
    out_ << " list sel=" << control.list.selection() << " count=" << control.list.count();
  } else {
    out_ << " text " << quoted(control.text);
  }
  if (control.checked) out_ << " checked";
  if (!control.enabled) out_ << " disabled";
  if (dialog.focus() == &control) out_ << " focus";
  if (control.selected_from < control.selected_to) {
    out_ << " selected=" << control.selected_from << '-' << control.selected_to;
  }
  out_ << '\n';
  if (control.drawing) show_drawing(out_, *control.drawing);
  if (!list) return;
  for (std::size_t i = 0; i < control.list.entries().size(); ++i) {
    out_ << "  " << i << ' ' << quoted(control.list.entries()[i]) << '\n';
  }
}

}  // namespace quelrin
