file(REMOVE_RECURSE
  "CMakeFiles/tarvello-cli.dir/app/cli/cmd_base.cpp.o"
  "CMakeFiles/tarvello-cli.dir/app/cli/cmd_base.cpp.o.d"
  "CMakeFiles/tarvello-cli.dir/app/cli/cmd_gerarbase.cpp.o"
  "CMakeFiles/tarvello-cli.dir/app/cli/cmd_gerarbase.cpp.o.d"
  "CMakeFiles/tarvello-cli.dir/app/cli/cmd_mundo.cpp.o"
  "CMakeFiles/tarvello-cli.dir/app/cli/cmd_mundo.cpp.o.d"
  "CMakeFiles/tarvello-cli.dir/app/cli/cmd_novo.cpp.o"
  "CMakeFiles/tarvello-cli.dir/app/cli/cmd_novo.cpp.o.d"
  "CMakeFiles/tarvello-cli.dir/app/cli/cmd_simular.cpp.o"
  "CMakeFiles/tarvello-cli.dir/app/cli/cmd_simular.cpp.o.d"
  "CMakeFiles/tarvello-cli.dir/app/cli/cmd_versao.cpp.o"
  "CMakeFiles/tarvello-cli.dir/app/cli/cmd_versao.cpp.o.d"
  "CMakeFiles/tarvello-cli.dir/app/cli/jogonovo.cpp.o"
  "CMakeFiles/tarvello-cli.dir/app/cli/jogonovo.cpp.o.d"
  "CMakeFiles/tarvello-cli.dir/app/cli/main.cpp.o"
  "CMakeFiles/tarvello-cli.dir/app/cli/main.cpp.o.d"
  "tarvello-cli"
  "tarvello-cli.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/tarvello-cli.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
