
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/wt/dia/app/cli/cmd_base.cpp" "CMakeFiles/tarvello-cli.dir/app/cli/cmd_base.cpp.o" "gcc" "CMakeFiles/tarvello-cli.dir/app/cli/cmd_base.cpp.o.d"
  "/work/wt/dia/app/cli/cmd_gerarbase.cpp" "CMakeFiles/tarvello-cli.dir/app/cli/cmd_gerarbase.cpp.o" "gcc" "CMakeFiles/tarvello-cli.dir/app/cli/cmd_gerarbase.cpp.o.d"
  "/work/wt/dia/app/cli/cmd_mundo.cpp" "CMakeFiles/tarvello-cli.dir/app/cli/cmd_mundo.cpp.o" "gcc" "CMakeFiles/tarvello-cli.dir/app/cli/cmd_mundo.cpp.o.d"
  "/work/wt/dia/app/cli/cmd_novo.cpp" "CMakeFiles/tarvello-cli.dir/app/cli/cmd_novo.cpp.o" "gcc" "CMakeFiles/tarvello-cli.dir/app/cli/cmd_novo.cpp.o.d"
  "/work/wt/dia/app/cli/cmd_simular.cpp" "CMakeFiles/tarvello-cli.dir/app/cli/cmd_simular.cpp.o" "gcc" "CMakeFiles/tarvello-cli.dir/app/cli/cmd_simular.cpp.o.d"
  "/work/wt/dia/app/cli/cmd_versao.cpp" "CMakeFiles/tarvello-cli.dir/app/cli/cmd_versao.cpp.o" "gcc" "CMakeFiles/tarvello-cli.dir/app/cli/cmd_versao.cpp.o.d"
  "/work/wt/dia/app/cli/jogonovo.cpp" "CMakeFiles/tarvello-cli.dir/app/cli/jogonovo.cpp.o" "gcc" "CMakeFiles/tarvello-cli.dir/app/cli/jogonovo.cpp.o.d"
  "/work/wt/dia/app/cli/main.cpp" "CMakeFiles/tarvello-cli.dir/app/cli/main.cpp.o" "gcc" "CMakeFiles/tarvello-cli.dir/app/cli/main.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/wt/dia/buildb/CMakeFiles/tarvello_core.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
