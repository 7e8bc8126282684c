// Test helper: prints nothing and exits 0 at once.
int main() { return 0; }
