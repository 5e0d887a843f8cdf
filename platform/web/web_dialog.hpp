// One open dialog of the web dialog manager: its elements in the page, built
// from the template, the Dialog operations its procedure calls, and the
// user's clicks and keys delivered to the procedure as the Win32 dialog
// manager delivers them. The program keeps what the procedure set (lists'
// entries, checks, enabled states) and the page mirrors it; what the user
// changes by hand (an edit's text, a list's selection) is read back from the
// page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dialog/dialog.hpp"
#include "dialog/dialog_rules.hpp"
#include "dialog/list_model.hpp"
#include "dialog/list_type_search.hpp"
#include "dialog/resource_script.hpp"
#include "platform/web/page_bridge.hpp"

namespace quelrin {

class WebHost;

class WebDialog final : public Dialog {
 public:
  WebDialog(const DialogTemplate& dialog_template, DialogProcedure& procedure, WebHost& host);
  ~WebDialog() override;
  WebDialog(const WebDialog&) = delete;
  WebDialog& operator=(const WebDialog&) = delete;

  // Opens the dialog and answers the user until its procedure ends it.
  int run();
  int page_handle() const { return page_; }

  void set_text(int id, std::string_view text) override;
  std::string get_text(int id, int room) override;
  int list_add(int id, std::string_view text) override;
  void list_reset(int id) override;
  int list_selection(int id) override;
  void list_select(int id, int index) override;
  int list_find_exact(int id, std::string_view text) override;
  int list_count(int id) override;
  std::string list_text(int id, int index) override;
  void list_delete(int id, int index) override;
  void list_fill(int id, const std::vector<std::string_view>& entries) override;
  void set_check(int id, bool checked) override;
  void check_radio(int first_id, int last_id, int checked_id) override;
  bool is_checked(int id) override;
  void enable(int id, bool enabled) override;
  void set_focus(int id) override;
  void select_text(int id, int from, int to) override;
  void show_drawing(int id, const Drawing& drawing) override;
  void show_message(const Message& message) override;
  bool ask_yes_no(const Message& question) override;
  void end(int result) override;
  int run_child(int template_id, DialogProcedure& procedure) override;
  int open_document(std::string_view name) override;

 private:
  struct Control {
    const ControlTemplate* control = nullptr;
    ListModel list;  // lists and drop-down lists
    ListTypeSearch search;
    bool checked = false;
    bool enabled = true;
  };

  void build();
  void handle(const page::Event& event);
  void click(int index, int focused);
  void press_key(const page::Event& event);
  void move_focus(int focused, bool forward);
  void move_in_radio_group(int focused, bool forward);
  void type_to_find(int index, char32_t character, std::uint32_t time_ms);
  void send_command(int id, int notification);
  // The lists' selections as the user left them.
  void read_selections();
  void take_focus(int index);
  void check(int index, bool checked);

  Control* find(int id);
  Control* find_list(int id);
  int index_of(const Control* control) const;
  std::vector<KeyboardControl> keyboard_controls() const;
  IsEnabled enabled_now() const;

  const DialogTemplate& template_;
  DialogProcedure& procedure_;
  WebHost& host_;
  std::vector<Control> controls_;  // in template order
  int page_ = 0;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace quelrin
