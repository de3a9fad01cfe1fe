file(REMOVE_RECURSE
  "CMakeFiles/bench_carga.dir/bench/bench_carga.cpp.o"
  "CMakeFiles/bench_carga.dir/bench/bench_carga.cpp.o.d"
  "bench_carga"
  "bench_carga.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/bench_carga.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
