file(REMOVE_RECURSE
  "CMakeFiles/bench_partida.dir/bench/bench_partida.cpp.o"
  "CMakeFiles/bench_partida.dir/bench/bench_partida.cpp.o.d"
  "bench_partida"
  "bench_partida.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/bench_partida.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
