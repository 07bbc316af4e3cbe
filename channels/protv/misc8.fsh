KESTRO placeholder graphics
channel folder: protv
file: misc8.fsh
