// The database readers that fill a window's list.
#include "fluids/fluid_loading.hpp"

#include <cstdio>
#include <new>

#include "fluids/fluid_database.hpp"
#include "fluids/fluid_names.hpp"
#include "resources/resource_ids.h"
#include "text/cp1252_literal.hpp"
#include "text/read_stream.hpp"

namespace quelrin {

int read_database_for(Dialog& owner, FluidTable& table, std::string& text) {
  std::FILE* file = std::fopen(DATABASE_FILE, "rb");
  if (!file) {
    owner.show_message({cp1252<"Arquivo 'dados.txt' não encontrado.">, cp1252<"Atenção!">, MessageIcon::error});
    return 1;
  }
  std::string reason = "erro de leitura";
  bool parsed = false;
  try {
    text.clear();
    parsed = read_rest(file, text) && parse_fluid_database(text, table, reason);
  } catch (const std::bad_alloc&) {
    std::fclose(file);
    owner.show_message({cp1252<"Não foi possível alocar memória!">, "Erro!", MessageIcon::error});
    return 1;
  }
  std::fclose(file);
  if (!parsed) {
    owner.show_message({cp1252<"Arquivo 'dados.txt' inválido: "> + reason + ".", "Erro!", MessageIcon::error});
    return 1;
  }
  return 0;
}

int load_fluids_for_main(Dialog& window, FluidTable& table) {
  FluidTable loaded;
  std::string text;
  if (read_database_for(window, loaded, text) != 0) return 1;
  table = std::move(loaded);
  window.list_fill(IDC_FLUID_LIST, fluid_names(table));
  window.list_select(IDC_FLUID_LIST, 0);
  return 0;
}

}  // namespace quelrin
