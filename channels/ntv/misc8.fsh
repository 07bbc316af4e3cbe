KESTRO placeholder graphics
channel folder: ntv
file: misc8.fsh
