wellscope_bench(bench_packet LIBS wellscope_solver_core
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_packet.cpp)
wellscope_bench(bench_packet_window QT LIBS wellscope_window_packet
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_packet_window.cpp)
