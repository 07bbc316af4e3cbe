KESTRO placeholder graphics
channel folder: protv
file: misc16.fsh
