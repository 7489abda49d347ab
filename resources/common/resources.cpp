// The common pictures and help page are compiled into this library.
namespace tavreno_common_resources {
int linked = 1;
}
