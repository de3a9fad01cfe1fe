CMakeFiles/tarvello_core.dir/src/competitions/confronto.cpp.o: \
 ../src/competitions/confronto.cpp /usr/include/stdc-predef.h \
 ../src/competitions/confronto.h
