file(REMOVE_RECURSE
  "CMakeFiles/bench_temporada.dir/bench/bench_temporada.cpp.o"
  "CMakeFiles/bench_temporada.dir/bench/bench_temporada.cpp.o.d"
  "bench_temporada"
  "bench_temporada.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/bench_temporada.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
