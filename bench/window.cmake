wellscope_bench(bench_window QT LIBS wellscope_solver Qt6::Test SOURCES window_bench.cpp)
