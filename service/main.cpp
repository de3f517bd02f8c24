// Placeholder until the service lands.
int main() { return 0; }
