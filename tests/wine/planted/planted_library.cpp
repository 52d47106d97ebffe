// A DLL that the tests find beside wine_tests.exe under a name that no system
// folder has: what an attacker would plant beside the elevated tool.
extern "C" __declspec(dllexport) int PlantedLibraryMarker() { return 1; }
