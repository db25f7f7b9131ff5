// The programs allocate through jemalloc, read from this setting at start-up. A processing run
// builds tens of megabytes of XML tree and text in small pieces; on 4 KiB pages the first touch
// of each page costs more than the work done in it, so the heap is asked for huge pages.
extern "C" {
// Read by jemalloc before the first allocation; its name is jemalloc's.
extern const char* const malloc_conf;
const char* const malloc_conf = "thp:always,metadata_thp:always";
}
