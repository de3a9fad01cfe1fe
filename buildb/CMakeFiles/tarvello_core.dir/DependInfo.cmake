
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt/dia/src/club/avenda.cpp" "CMakeFiles/tarvello_core.dir/src/club/avenda.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/club/avenda.cpp.o.d"
  "/work/wt/dia/src/club/elenco.cpp" "CMakeFiles/tarvello_core.dir/src/club/elenco.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/club/elenco.cpp.o.d"
  "/work/wt/dia/src/club/financas.cpp" "CMakeFiles/tarvello_core.dir/src/club/financas.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/club/financas.cpp.o.d"
  "/work/wt/dia/src/club/premios.cpp" "CMakeFiles/tarvello_core.dir/src/club/premios.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/club/premios.cpp.o.d"
  "/work/wt/dia/src/club/valores.cpp" "CMakeFiles/tarvello_core.dir/src/club/valores.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/club/valores.cpp.o.d"
  "/work/wt/dia/src/competitions/calendario.cpp" "CMakeFiles/tarvello_core.dir/src/competitions/calendario.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/competitions/calendario.cpp.o.d"
  "/work/wt/dia/src/competitions/confronto.cpp" "CMakeFiles/tarvello_core.dir/src/competitions/confronto.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/competitions/confronto.cpp.o.d"
  "/work/wt/dia/src/competitions/confrontos.cpp" "CMakeFiles/tarvello_core.dir/src/competitions/confrontos.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/competitions/confrontos.cpp.o.d"
  "/work/wt/dia/src/competitions/copas.cpp" "CMakeFiles/tarvello_core.dir/src/competitions/copas.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/competitions/copas.cpp.o.d"
  "/work/wt/dia/src/competitions/estaduais.cpp" "CMakeFiles/tarvello_core.dir/src/competitions/estaduais.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/competitions/estaduais.cpp.o.d"
  "/work/wt/dia/src/competitions/liga.cpp" "CMakeFiles/tarvello_core.dir/src/competitions/liga.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/competitions/liga.cpp.o.d"
  "/work/wt/dia/src/competitions/partidas.cpp" "CMakeFiles/tarvello_core.dir/src/competitions/partidas.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/competitions/partidas.cpp.o.d"
  "/work/wt/dia/src/competitions/tabela.cpp" "CMakeFiles/tarvello_core.dir/src/competitions/tabela.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/competitions/tabela.cpp.o.d"
  "/work/wt/dia/src/database/arquivos.cpp" "CMakeFiles/tarvello_core.dir/src/database/arquivos.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/database/arquivos.cpp.o.d"
  "/work/wt/dia/src/database/carregamundo.cpp" "CMakeFiles/tarvello_core.dir/src/database/carregamundo.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/database/carregamundo.cpp.o.d"
  "/work/wt/dia/src/database/confederacoes.cpp" "CMakeFiles/tarvello_core.dir/src/database/confederacoes.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/database/confederacoes.cpp.o.d"
  "/work/wt/dia/src/database/escudos.cpp" "CMakeFiles/tarvello_core.dir/src/database/escudos.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/database/escudos.cpp.o.d"
  "/work/wt/dia/src/database/gerador.cpp" "CMakeFiles/tarvello_core.dir/src/database/gerador.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/database/gerador.cpp.o.d"
  "/work/wt/dia/src/database/montaliga.cpp" "CMakeFiles/tarvello_core.dir/src/database/montaliga.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/database/montaliga.cpp.o.d"
  "/work/wt/dia/src/database/nomes.cpp" "CMakeFiles/tarvello_core.dir/src/database/nomes.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/database/nomes.cpp.o.d"
  "/work/wt/dia/src/database/preparacao.cpp" "CMakeFiles/tarvello_core.dir/src/database/preparacao.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/database/preparacao.cpp.o.d"
  "/work/wt/dia/src/match/arbitros.cpp" "CMakeFiles/tarvello_core.dir/src/match/arbitros.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/match/arbitros.cpp.o.d"
  "/work/wt/dia/src/match/contabilidade.cpp" "CMakeFiles/tarvello_core.dir/src/match/contabilidade.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/match/contabilidade.cpp.o.d"
  "/work/wt/dia/src/match/diajogo.cpp" "CMakeFiles/tarvello_core.dir/src/match/diajogo.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/match/diajogo.cpp.o.d"
  "/work/wt/dia/src/match/escalacao.cpp" "CMakeFiles/tarvello_core.dir/src/match/escalacao.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/match/escalacao.cpp.o.d"
  "/work/wt/dia/src/match/eventos.cpp" "CMakeFiles/tarvello_core.dir/src/match/eventos.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/match/eventos.cpp.o.d"
  "/work/wt/dia/src/match/forca.cpp" "CMakeFiles/tarvello_core.dir/src/match/forca.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/match/forca.cpp.o.d"
  "/work/wt/dia/src/match/penaltis.cpp" "CMakeFiles/tarvello_core.dir/src/match/penaltis.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/match/penaltis.cpp.o.d"
  "/work/wt/dia/src/match/publico.cpp" "CMakeFiles/tarvello_core.dir/src/match/publico.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/match/publico.cpp.o.d"
  "/work/wt/dia/src/match/simulacao.cpp" "CMakeFiles/tarvello_core.dir/src/match/simulacao.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/match/simulacao.cpp.o.d"
  "/work/wt/dia/src/match/taticas.cpp" "CMakeFiles/tarvello_core.dir/src/match/taticas.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/match/taticas.cpp.o.d"
  "/work/wt/dia/src/match/verificacao.cpp" "CMakeFiles/tarvello_core.dir/src/match/verificacao.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/match/verificacao.cpp.o.d"
  "/work/wt/dia/src/model/aleatorio.cpp" "CMakeFiles/tarvello_core.dir/src/model/aleatorio.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/model/aleatorio.cpp.o.d"
  "/work/wt/dia/src/model/datas.cpp" "CMakeFiles/tarvello_core.dir/src/model/datas.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/model/datas.cpp.o.d"
  "/work/wt/dia/src/model/estado.cpp" "CMakeFiles/tarvello_core.dir/src/model/estado.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/model/estado.cpp.o.d"
  "/work/wt/dia/src/model/funcoes.cpp" "CMakeFiles/tarvello_core.dir/src/model/funcoes.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/model/funcoes.cpp.o.d"
  "/work/wt/dia/src/model/hoje.cpp" "CMakeFiles/tarvello_core.dir/src/model/hoje.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/model/hoje.cpp.o.d"
  "/work/wt/dia/src/model/ini.cpp" "CMakeFiles/tarvello_core.dir/src/model/ini.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/model/ini.cpp.o.d"
  "/work/wt/dia/src/model/mundo.cpp" "CMakeFiles/tarvello_core.dir/src/model/mundo.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/model/mundo.cpp.o.d"
  "/work/wt/dia/src/model/opcoes.cpp" "CMakeFiles/tarvello_core.dir/src/model/opcoes.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/model/opcoes.cpp.o.d"
  "/work/wt/dia/src/model/texto.cpp" "CMakeFiles/tarvello_core.dir/src/model/texto.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/model/texto.cpp.o.d"
  "/work/wt/dia/src/model/tipos.cpp" "CMakeFiles/tarvello_core.dir/src/model/tipos.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/model/tipos.cpp.o.d"
  "/work/wt/dia/src/newgame/configuracao.cpp" "CMakeFiles/tarvello_core.dir/src/newgame/configuracao.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/newgame/configuracao.cpp.o.d"
  "/work/wt/dia/src/newgame/escolhas.cpp" "CMakeFiles/tarvello_core.dir/src/newgame/escolhas.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/newgame/escolhas.cpp.o.d"
  "/work/wt/dia/src/newgame/estaduais.cpp" "CMakeFiles/tarvello_core.dir/src/newgame/estaduais.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/newgame/estaduais.cpp.o.d"
  "/work/wt/dia/src/newgame/inicializacao.cpp" "CMakeFiles/tarvello_core.dir/src/newgame/inicializacao.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/newgame/inicializacao.cpp.o.d"
  "/work/wt/dia/src/newgame/novojogo.cpp" "CMakeFiles/tarvello_core.dir/src/newgame/novojogo.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/newgame/novojogo.cpp.o.d"
  "/work/wt/dia/src/news/mensagens.cpp" "CMakeFiles/tarvello_core.dir/src/news/mensagens.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/news/mensagens.cpp.o.d"
  "/work/wt/dia/src/news/textos.cpp" "CMakeFiles/tarvello_core.dir/src/news/textos.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/news/textos.cpp.o.d"
  "/work/wt/dia/src/records/artilheiros.cpp" "CMakeFiles/tarvello_core.dir/src/records/artilheiros.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/records/artilheiros.cpp.o.d"
  "/work/wt/dia/src/records/historico.cpp" "CMakeFiles/tarvello_core.dir/src/records/historico.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/records/historico.cpp.o.d"
  "/work/wt/dia/src/season/registraevento.cpp" "CMakeFiles/tarvello_core.dir/src/season/registraevento.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/season/registraevento.cpp.o.d"
  "/work/wt/dia/src/season/semana.cpp" "CMakeFiles/tarvello_core.dir/src/season/semana.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/season/semana.cpp.o.d"
  "/work/wt/dia/src/season/tecnico.cpp" "CMakeFiles/tarvello_core.dir/src/season/tecnico.cpp.o" "gcc" "CMakeFiles/tarvello_core.dir/src/season/tecnico.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
