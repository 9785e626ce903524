wellscope_bench(bench_solver LIBS wellscope_solver_core
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_solver.cpp)
wellscope_bench(bench_exact LIBS wellscope_solver_core
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_exact.cpp)
wellscope_bench(bench_transmission LIBS wellscope_solver_core
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_transmission.cpp)
wellscope_bench(bench_spectrum LIBS wellscope_solver_core
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_spectrum.cpp)
