wellscope_bench(bench_packet LIBS wellscope_solver_core
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_packet.cpp)
