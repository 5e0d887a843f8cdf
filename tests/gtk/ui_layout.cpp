// GtkBuilder files against the resource script.
#include "tests/gtk/ui_layout.hpp"

#include <glib.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "dialog/keyboard_navigation.hpp"
#include "platform/gtk/builder_ids.hpp"
#include "resources/resource_ids.h"
#include "text/cp1252.hpp"

namespace quelrin::test {
namespace {

// --- reading ---

struct ReadState {
  UiReading* reading = nullptr;
  std::vector<UiObject*> objects;  // open <object> elements, innermost last
  std::string property;            // name of the open <property>, if any
  std::string text;
  int packing_depth = 0;
};

const char* attribute(const char** names, const char** values, const char* wanted) {
  for (; *names != nullptr; ++names, ++values) {
    if (std::strcmp(*names, wanted) == 0) return *values;
  }
  return nullptr;
}

void start_element(GMarkupParseContext*, const char* element, const char** names,
                   const char** values, gpointer data, GError**) {
  auto& state = *static_cast<ReadState*>(data);
  if (std::strcmp(element, "packing") == 0) {
    ++state.packing_depth;
  } else if (std::strcmp(element, "object") == 0) {
    auto object = std::make_unique<UiObject>();
    const char* class_name = attribute(names, values, "class");
    const char* id = attribute(names, values, "id");
    object->class_name = class_name != nullptr ? class_name : "";
    object->id = id != nullptr ? id : "";
    UiObject* added = object.get();
    auto& siblings =
        state.objects.empty() ? state.reading->objects : state.objects.back()->children;
    siblings.push_back(std::move(object));
    state.objects.push_back(added);
  } else if (std::strcmp(element, "property") == 0 && state.packing_depth == 0) {
    const char* name = attribute(names, values, "name");
    state.property = name != nullptr ? name : "";
    state.text.clear();
  }
}

void end_element(GMarkupParseContext*, const char* element, gpointer data, GError**) {
  auto& state = *static_cast<ReadState*>(data);
  if (std::strcmp(element, "packing") == 0) {
    --state.packing_depth;
  } else if (std::strcmp(element, "object") == 0) {
    state.objects.pop_back();
  } else if (std::strcmp(element, "property") == 0 && !state.property.empty()) {
    // GtkBuilder spells properties with dashes or underscores alike.
    std::string name = state.property;
    std::replace(name.begin(), name.end(), '_', '-');
    if (!state.objects.empty()) state.objects.back()->properties[name] = state.text;
    state.property.clear();
  }
}

void text_of(GMarkupParseContext*, const char* text, gsize length, gpointer data, GError**) {
  auto& state = *static_cast<ReadState*>(data);
  if (!state.property.empty()) state.text.append(text, length);
}

// --- holding against the template ---

// Every object but the insides of a drop-down list: its button's label and
// arrow, its popover and the list in it are one control.
void each_object(const std::vector<std::unique_ptr<UiObject>>& objects,
                 const std::function<void(const UiObject&)>& visit) {
  for (const auto& object : objects) {
    if (object->class_name == "GtkPopover") continue;
    visit(*object);
    if (object->class_name != "GtkMenuButton") each_object(object->children, visit);
  }
}

std::string property(const UiObject& object, const std::string& name) {
  const auto found = object.properties.find(name);
  return found == object.properties.end() ? std::string() : found->second;
}

bool is_true(const std::string& value) {
  return value == "True" || value == "true" || value == "yes" || value == "1";
}

// The control kind a widget stands for, or nothing for a mere container.
std::string kind_of(const UiObject& object) {
  const std::string& c = object.class_name;
  if (c == "GtkLabel" || c == "GtkDrawingArea") return "static";  // an owner-drawn one
  if (c == "GtkFrame") return "group box";
  if (c == "GtkButton")
    return is_true(property(object, "has-default")) ? "default push button" : "push button";
  if (c == "GtkRadioButton") return "radio button";
  if (c == "GtkCheckButton") return "check box";
  if (c == "GtkEntry") return "edit";
  if (c == "GtkMenuButton" && !property(object, "popover").empty()) return "combo box";
  if (c == "GtkTreeView") return "list box";
  if (c == "GtkImage") return "icon";
  return {};
}

std::string kind_of(ControlKind kind) {
  switch (kind) {
    case ControlKind::static_text:
      return "static";
    case ControlKind::group_box:
      return "group box";
    case ControlKind::push_button:
      return "push button";
    case ControlKind::default_push_button:
      return "default push button";
    case ControlKind::check_box:
    case ControlKind::auto_check_box:
      return "check box";
    case ControlKind::radio_button:
    case ControlKind::auto_radio_button:
      return "radio button";
    case ControlKind::edit:
      return "edit";
    case ControlKind::combo_box:
      return "combo box";
    case ControlKind::list_box:
      return "list box";
    case ControlKind::icon:
      return "icon";
  }
  return {};
}

bool has_text(ControlKind kind) {
  return kind != ControlKind::edit && kind != ControlKind::combo_box &&
         kind != ControlKind::list_box && kind != ControlKind::icon;
}

// A menu or button text of the resource script as GTK spells it: the
// mnemonic marked with an underscore.
std::string with_underscore(const std::string& text) {
  std::string result = cp1252_to_utf8(text);
  std::replace(result.begin(), result.end(), '&', '_');
  return result;
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

// The radio button that starts the group of the template's control i.
const ControlTemplate& group_leader(const DialogTemplate& dialog, std::size_t i) {
  return dialog.controls[group_around(dialog.controls, i).first];
}

void compare_control(const DialogTemplate& dialog, std::size_t index, const UiObject& widget,
                     std::vector<std::string>& differences) {
  const ControlTemplate& control = dialog.controls[index];
  const std::string name = builder_id(control);
  if (kind_of(widget) != kind_of(control.kind)) {
    differences.push_back(name + ": a " + kind_of(widget) + ", not a " + kind_of(control.kind));
    return;
  }
  if (has_text(control.kind) && property(widget, "label") != cp1252_to_utf8(control.text)) {
    differences.push_back(name + ": text " + quoted(property(widget, "label")) + ", not " +
                          quoted(cp1252_to_utf8(control.text)));
  }
  const bool editable =
      property(widget, "editable").empty() || is_true(property(widget, "editable"));
  if (control.kind == ControlKind::edit && editable == control.read_only) {
    differences.push_back(name + (control.read_only ? ": editable" : ": read-only"));
  }
  // A GTK frame holds its controls, which a disabled one would disable too:
  // the group boxes' enabled state is not laid out.
  const bool sensitive =
      property(widget, "sensitive").empty() || is_true(property(widget, "sensitive"));
  if (control.kind != ControlKind::group_box && sensitive != control.enabled) {
    differences.push_back(name + (control.enabled ? ": disabled" : ": enabled"));
  }
  if (kind_of(control.kind) == "radio button") {
    const ControlTemplate& leader = group_leader(dialog, index);
    const std::string expected = &leader == &control ? "" : builder_id(leader);
    if (property(widget, "group") != expected) {
      differences.push_back(name + ": in the group of " + quoted(property(widget, "group")) +
                            ", not " + quoted(expected));
    }
  }
}

// Builder ids of the form KIND-NUMBER name controls.
bool names_a_control(const std::string& id) {
  const std::size_t dash = id.find('-');
  return dash != std::string::npos && dash + 1 < id.size() &&
         std::all_of(id.begin() + static_cast<std::ptrdiff_t>(dash) + 1, id.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<MenuItem> menu_items_of(const UiObject& shell) {
  std::vector<MenuItem> items;
  for (const auto& child : shell.children) {
    MenuItem item;
    if (child->class_name == "GtkSeparatorMenuItem") {
      item.kind = MenuItemKind::separator;
    } else if (child->class_name == "GtkMenuItem") {
      item.text = property(*child, "label");
      const auto submenu = std::find_if(child->children.begin(), child->children.end(),
                                        [](const auto& c) { return c->class_name == "GtkMenu"; });
      if (submenu != child->children.end()) {
        item.kind = MenuItemKind::popup;
        item.items = menu_items_of(**submenu);
      } else {
        const std::size_t dash = child->id.rfind('-');
        item.id = names_a_control(child->id) ? std::stoi(child->id.substr(dash + 1)) : 0;
      }
    } else {
      continue;
    }
    items.push_back(std::move(item));
  }
  return items;
}

void compare_menu_items(const std::vector<MenuItem>& expected,
                        const std::vector<MenuItem>& laid_out, const std::string& where,
                        std::vector<std::string>& differences) {
  if (expected.size() != laid_out.size()) {
    differences.push_back(where + std::to_string(laid_out.size()) + " items, not " +
                          std::to_string(expected.size()));
    return;
  }
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const MenuItem& e = expected[i];
    const MenuItem& l = laid_out[i];
    const std::string name = where + "item " + std::to_string(i + 1);
    const std::string text = with_underscore(e.text);
    if (e.kind != l.kind) {
      differences.push_back(name + ": another kind of item");
    } else if (text != l.text) {
      differences.push_back(name + ": text " + quoted(l.text) + ", not " + quoted(text));
    } else if (e.kind == MenuItemKind::command && e.id != l.id) {
      differences.push_back(name + ": command " + std::to_string(l.id) + ", not " +
                            std::to_string(e.id));
    } else if (e.kind == MenuItemKind::popup) {
      compare_menu_items(e.items, l.items, where + text + " > ", differences);
    }
  }
}

}  // namespace

UiReading read_ui(std::string_view text) {
  UiReading reading;
  ReadState state;
  state.reading = &reading;
  const GMarkupParser parser{start_element, end_element, text_of, nullptr, nullptr};
  GMarkupParseContext* context =
      g_markup_parse_context_new(&parser, G_MARKUP_DEFAULT_FLAGS, &state, nullptr);
  GError* error = nullptr;
  if (!g_markup_parse_context_parse(context, text.data(), static_cast<gssize>(text.size()),
                                    &error) ||
      !g_markup_parse_context_end_parse(context, &error)) {
    reading.error = error->message;
    g_error_free(error);
  }
  g_markup_parse_context_free(context);
  return reading;
}

std::vector<std::string> dialog_layout_differences(const DialogTemplate& dialog,
                                                   std::string_view ui_text) {
  const UiReading reading = read_ui(ui_text);
  if (!reading.error.empty()) return {reading.error};
  std::vector<std::string> differences;
  std::map<std::string, const UiObject*> by_id;
  std::vector<std::string> static_texts;  // kind and text of the widgets without a control id
  each_object(reading.objects, [&](const UiObject& object) {
    if (!object.id.empty()) by_id[object.id] = &object;
    const std::string kind = kind_of(object);
    if (!kind.empty() && !names_a_control(object.id))
      static_texts.push_back(kind + " " + quoted(property(object, "label")));
  });

  const std::string window_id = dialog_builder_id(dialog.id);
  const auto window = by_id.find(window_id);
  if (window == by_id.end()) {
    differences.push_back(window_id + ": missing");
  } else if (property(*window->second, "title") != cp1252_to_utf8(dialog.caption)) {
    differences.push_back(window_id + ": caption " + quoted(property(*window->second, "title")) +
                          ", not " + quoted(cp1252_to_utf8(dialog.caption)));
  }

  std::vector<std::string> expected_statics;
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    const ControlTemplate& control = dialog.controls[i];
    if (control.id == IDC_STATIC) {
      expected_statics.push_back(kind_of(control.kind) + " " +
                                 quoted(cp1252_to_utf8(control.text)));
      continue;
    }
    const auto found = by_id.find(builder_id(control));
    if (found == by_id.end()) {
      differences.push_back(builder_id(control) + ": missing");
    } else {
      compare_control(dialog, i, *found->second, differences);
      by_id.erase(found);
    }
  }
  for (const auto& [id, object] : by_id) {
    if (names_a_control(id) && !kind_of(*object).empty())
      differences.push_back(id + ": no such control in the template");
  }
  std::sort(expected_statics.begin(), expected_statics.end());
  std::sort(static_texts.begin(), static_texts.end());
  std::vector<std::string> missing;
  std::vector<std::string> extra;
  std::set_difference(expected_statics.begin(), expected_statics.end(), static_texts.begin(),
                      static_texts.end(), std::back_inserter(missing));
  std::set_difference(static_texts.begin(), static_texts.end(), expected_statics.begin(),
                      expected_statics.end(), std::back_inserter(extra));
  for (const std::string& text : missing) differences.push_back(text + ": missing");
  for (const std::string& text : extra)
    differences.push_back(text + ": no such control in the template");
  return differences;
}

std::vector<std::string> menu_layout_differences(const MenuTemplate& menu,
                                                 std::string_view ui_text) {
  const UiReading reading = read_ui(ui_text);
  if (!reading.error.empty()) return {reading.error};
  const UiObject* bar = nullptr;
  each_object(reading.objects, [&](const UiObject& object) {
    if (object.id == menu_builder_id(menu.id)) bar = &object;
  });
  if (bar == nullptr) return {menu_builder_id(menu.id) + ": missing"};
  std::vector<std::string> differences;
  compare_menu_items(menu.items, menu_items_of(*bar), "", differences);
  return differences;
}

}  // namespace quelrin::test
