wellscope_bench(bench_superposition LIBS wellscope_solver_core
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_superposition.cpp)
