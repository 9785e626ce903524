wellscope_bench(bench_levels LIBS wellscope_levels SOURCES bench_levels.cpp)
