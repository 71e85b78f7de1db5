// The assets library holds only embedded resources; this unit gives it an object file of its own.
namespace rna::assets {
int AssetsLibraryAnchor = 0;
}
