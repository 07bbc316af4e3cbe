KESTRO placeholder graphics
channel folder: wizja
file: misc8.fsh
