wellscope_bench(bench_levels QT LIBS wellscope_window_levels SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_levels.cpp)
wellscope_bench(bench_time_view QT LIBS wellscope_window_levels
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_time_view.cpp)
