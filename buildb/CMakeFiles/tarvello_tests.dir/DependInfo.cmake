
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt/dia/tests/club/financas_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/club/financas_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/club/financas_test.cpp.o.d"
  "/work/wt/dia/tests/competitions/calendario_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/competitions/calendario_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/competitions/calendario_test.cpp.o.d"
  "/work/wt/dia/tests/competitions/confronto_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/competitions/confronto_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/competitions/confronto_test.cpp.o.d"
  "/work/wt/dia/tests/competitions/copas_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/competitions/copas_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/competitions/copas_test.cpp.o.d"
  "/work/wt/dia/tests/competitions/estaduais_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/competitions/estaduais_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/competitions/estaduais_test.cpp.o.d"
  "/work/wt/dia/tests/competitions/liga_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/competitions/liga_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/competitions/liga_test.cpp.o.d"
  "/work/wt/dia/tests/database/arquivos_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/database/arquivos_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/database/arquivos_test.cpp.o.d"
  "/work/wt/dia/tests/database/carga_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/database/carga_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/database/carga_test.cpp.o.d"
  "/work/wt/dia/tests/database/cli_carga_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/database/cli_carga_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/database/cli_carga_test.cpp.o.d"
  "/work/wt/dia/tests/database/escudos_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/database/escudos_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/database/escudos_test.cpp.o.d"
  "/work/wt/dia/tests/database/gerador_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/database/gerador_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/database/gerador_test.cpp.o.d"
  "/work/wt/dia/tests/match/cli_simular_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/match/cli_simular_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/match/cli_simular_test.cpp.o.d"
  "/work/wt/dia/tests/match/contabilidade_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/match/contabilidade_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/match/contabilidade_test.cpp.o.d"
  "/work/wt/dia/tests/match/diajogo_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/match/diajogo_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/match/diajogo_test.cpp.o.d"
  "/work/wt/dia/tests/match/escalacao_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/match/escalacao_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/match/escalacao_test.cpp.o.d"
  "/work/wt/dia/tests/match/eventos_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/match/eventos_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/match/eventos_test.cpp.o.d"
  "/work/wt/dia/tests/match/forca_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/match/forca_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/match/forca_test.cpp.o.d"
  "/work/wt/dia/tests/match/invariantes_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/match/invariantes_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/match/invariantes_test.cpp.o.d"
  "/work/wt/dia/tests/match/penaltis_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/match/penaltis_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/match/penaltis_test.cpp.o.d"
  "/work/wt/dia/tests/match/plausibilidade_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/match/plausibilidade_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/match/plausibilidade_test.cpp.o.d"
  "/work/wt/dia/tests/match/simulacao_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/match/simulacao_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/match/simulacao_test.cpp.o.d"
  "/work/wt/dia/tests/match/taticas_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/match/taticas_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/match/taticas_test.cpp.o.d"
  "/work/wt/dia/tests/model/modelo_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/model/modelo_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/model/modelo_test.cpp.o.d"
  "/work/wt/dia/tests/model/opcoes_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/model/opcoes_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/model/opcoes_test.cpp.o.d"
  "/work/wt/dia/tests/newgame/cli_novo_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/newgame/cli_novo_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/newgame/cli_novo_test.cpp.o.d"
  "/work/wt/dia/tests/newgame/estaduais_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/newgame/estaduais_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/newgame/estaduais_test.cpp.o.d"
  "/work/wt/dia/tests/newgame/novojogo_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/newgame/novojogo_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/newgame/novojogo_test.cpp.o.d"
  "/work/wt/dia/tests/news/mensagens_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/news/mensagens_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/news/mensagens_test.cpp.o.d"
  "/work/wt/dia/tests/season/semana_test.cpp" "CMakeFiles/tarvello_tests.dir/tests/season/semana_test.cpp.o" "gcc" "CMakeFiles/tarvello_tests.dir/tests/season/semana_test.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt/dia/buildb/CMakeFiles/tarvello_core.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
