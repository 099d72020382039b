// Hosts the widget tests' precompiled headers: the tests reuse its header
// build, so it must be compiled with their flags, which a program has.
int main() {
    return 0;
}
