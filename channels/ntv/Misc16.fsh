KESTRO placeholder graphics
channel folder: ntv
file: Misc16.fsh
