# coursedump prints the course table as the program builds it, one square a
# line, for the end-to-end driver (scripts/e2e.py), which checks every rest
# against it instead of keeping a copy of the table.
add_executable(coursedump coursedump/main.cpp)
target_link_libraries(coursedump PRIVATE course)
