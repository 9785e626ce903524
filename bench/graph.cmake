# The Graph control: a full redraw of a plot the size of the program's.
wellscope_bench(bench_graph QT LIBS wellscope_graph Qt6::Widgets
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bench_graph.cpp)
