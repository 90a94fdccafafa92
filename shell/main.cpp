// Placeholder until the start-up routine lands.
int main() { return 0; }
