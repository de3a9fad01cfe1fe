file(REMOVE_RECURSE
  "CMakeFiles/bench_base.dir/bench/bench_base.cpp.o"
  "CMakeFiles/bench_base.dir/bench/bench_base.cpp.o.d"
  "bench_base"
  "bench_base.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/bench_base.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
