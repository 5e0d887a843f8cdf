// The database readers that fill a window's list.
#include "fluids/fluid_loading.hpp"

#include <new>

#include "fluids/fluid_database.hpp"
#include "fluids/fluid_names.hpp"
#include "resources/resource_ids.h"
#include "text/cp1252_literal.hpp"

namespace quelrin {

bool read_database_for(Dialog& owner, FluidTable& table, std::string& text) {
  std::string reason;
  DatabaseFile status = DatabaseFile::malformed;
  try {
    status = read_fluid_database_file(DATABASE_FILE, table, text, reason);
  } catch (const std::bad_alloc&) {
    owner.show_message({cp1252<"Não foi possível alocar memória!">, "Erro!", MessageIcon::error});
    return false;
  }
  switch (status) {
    case DatabaseFile::read:
      return true;
    case DatabaseFile::not_opened:
      owner.show_message(
          {cp1252<"Arquivo 'dados.txt' não encontrado.">, cp1252<"Atenção!">, MessageIcon::error});
      return false;
    case DatabaseFile::malformed:
      break;
  }
  owner.show_message(invalid_database_message(reason));
  return false;
}

Message invalid_database_message(const std::string& reason) {
  return {cp1252<"Arquivo 'dados.txt' inválido: "> + reason + ".", "Erro!", MessageIcon::error};
}

Message database_not_saved_message() {
  return {cp1252<"Não foi possível salvar o arquivo 'dados.txt'.">, "Erro!", MessageIcon::error};
}

bool load_fluids_for_main(Dialog& window, FluidTable& table) {
  FluidTable loaded;
  std::string text;
  if (!read_database_for(window, loaded, text)) return false;
  table = std::move(loaded);
  window.list_fill(IDC_FLUID_LIST, fluid_names(table));
  window.list_select(IDC_FLUID_LIST, 0);
  return true;
}

}  // namespace quelrin
